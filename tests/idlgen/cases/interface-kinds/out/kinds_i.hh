[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"kinds_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<kinds_iUtils>
[hh.include.idl] idl_basename=<kinds>
[hh.clone] return_type=<ret(NT_interface Named)> arg_type=<in(NT_interface Named)> interface_name=<Named> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Named)> arg_type=<in(NT_interface Named)> interface_name=<Named> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface Account)> arg_type=<in(NT_interface Account)> interface_name=<Account> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Account)> arg_type=<in(NT_interface Account)> interface_name=<Account> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface Cache)> arg_type=<in(NT_interface Cache)> interface_name=<Cache> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Cache)> arg_type=<in(NT_interface Cache)> interface_name=<Cache> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<Cache::Entry> arg_type=<Cache::Entry> interface_name=<Cache> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<Cache::Entry> arg_type=<Cache::Entry> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<Cache_Entry> return_type=<ret(NT_struct_fixed Cache::Entry)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[hh.compare] return_type=<Cache::Entry> arg_type=<Cache::Entry> interface_name=<Cache> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.class.begin] class_name=<Named_i>
[hh.class.members.begin] class_name=<Named_i>
[hh.class.constructor.begin] return_type=<> function_name=<Named_i> class_name=<Named_i>
[hh.class.member.end] class_name=<Named_i>
[hh.class.member.begin] return_type=<ret(NT_string local type)> function_name=<name> class_name=<Named_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Named_i>
[hh.class.end] class_name=<Named_i>
[hh.class.begin] class_name=<Account_i>
[hh.class.inherits.begin] class_name=<Account_i>
[hh.class.inherits] class_name=<Named_i>
[hh.class.members.begin] class_name=<Named_i>
[hh.class.constructor.begin] return_type=<> function_name=<Account_i> class_name=<Account_i>
[hh.class.member.end] class_name=<Account_i>
[hh.class.member.begin] return_type=<void> function_name=<close> class_name=<Account_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Account_i>
[hh.class.end] class_name=<Account_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
