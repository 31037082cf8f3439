[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"seq_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<seq_iUtils>
[hh.include.idl] idl_basename=<seq>
[hh.clone] return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)> interface_name=<M::I> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)> interface_name=<M::I> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<M::LongSeq> arg_type=<M::LongSeq> interface_name=<M.I> define_id=<long> altdefid=<M_LongSeq>
[hh.clone.pointer] return_type=<M::LongSeq> arg_type=<M::LongSeq> define_id=<long> altdefid=<M_LongSeq>
[hh.make.sequence] make_type=<M_LongSeq> return_type=<M::LongSeq>
[hh.compare] return_type=<M::LongSeq> arg_type=<M::LongSeq> interface_name=<M.I> define_id=<long> altdefid=<M_LongSeq>
[hh.clone] return_type=<M::ULSeq> arg_type=<M::ULSeq> interface_name=<M.I> define_id=<unsigned_long> altdefid=<M_ULSeq>
[hh.clone.pointer] return_type=<M::ULSeq> arg_type=<M::ULSeq> define_id=<unsigned_long> altdefid=<M_ULSeq>
[hh.make.sequence] make_type=<M_ULSeq> return_type=<M::ULSeq>
[hh.compare] return_type=<M::ULSeq> arg_type=<M::ULSeq> interface_name=<M.I> define_id=<unsigned_long> altdefid=<M_ULSeq>
[hh.clone] return_type=<M::LLSeq> arg_type=<M::LLSeq> interface_name=<M.I> define_id=<NT_sequence> altdefid=<NT_sequence>
[hh.clone.pointer] return_type=<M::LLSeq> arg_type=<M::LLSeq> define_id=<NT_sequence> altdefid=<NT_sequence>
[hh.make.sequence] make_type=<M_LLSeq> return_type=<M::LLSeq>
[hh.compare] return_type=<M::LLSeq> arg_type=<M::LLSeq> interface_name=<M.I> define_id=<NT_sequence> altdefid=<NT_sequence>
[hh.clone] return_type=<M::SeqOfSeq> arg_type=<M::SeqOfSeq> interface_name=<M.I> define_id=<LongSeq> altdefid=<M_LongSeq>
[hh.clone.pointer] return_type=<M::SeqOfSeq> arg_type=<M::SeqOfSeq> define_id=<LongSeq> altdefid=<M_LongSeq>
[hh.make.sequence] make_type=<M_SeqOfSeq> return_type=<M::SeqOfSeq>
[hh.compare] return_type=<M::SeqOfSeq> arg_type=<M::SeqOfSeq> interface_name=<M.I> define_id=<LongSeq> altdefid=<M_LongSeq>
[hh.clone] return_type=<M::ISeq> arg_type=<M::ISeq> interface_name=<M.I> define_id=<IAlias> altdefid=<M_IAlias>
[hh.clone.pointer] return_type=<M::ISeq> arg_type=<M::ISeq> define_id=<IAlias> altdefid=<M_IAlias>
[hh.make.sequence] make_type=<M_ISeq> return_type=<M::ISeq>
[hh.compare] return_type=<M::ISeq> arg_type=<M::ISeq> interface_name=<M.I> define_id=<IAlias> altdefid=<M_IAlias>
[hh.clone] return_type=<M::CharSeq> arg_type=<M::CharSeq> interface_name=<M.I> define_id=<char> altdefid=<M_CharSeq>
[hh.clone.pointer] return_type=<M::CharSeq> arg_type=<M::CharSeq> define_id=<char> altdefid=<M_CharSeq>
[hh.make.sequence] make_type=<M_CharSeq> return_type=<M::CharSeq>
[hh.compare] return_type=<M::CharSeq> arg_type=<M::CharSeq> interface_name=<M.I> define_id=<char> altdefid=<M_CharSeq>
[hh.clone] return_type=<M::Names> arg_type=<M::Names> interface_name=<M.I> define_id=<NT_string> altdefid=<NT_string>
[hh.clone.pointer] return_type=<M::Names> arg_type=<M::Names> define_id=<NT_string> altdefid=<NT_string>
[hh.make.sequence] make_type=<M_Names> return_type=<M::Names>
[hh.compare] return_type=<M::Names> arg_type=<M::Names> interface_name=<M.I> define_id=<NT_string> altdefid=<NT_string>
[hh.clone] return_type=<M::Alias> arg_type=<M::Alias> interface_name=<M.I> define_id=<long> altdefid=<M_Alias>
[hh.clone.pointer] return_type=<M::Alias> arg_type=<M::Alias> define_id=<long> altdefid=<M_Alias>
[hh.make.sequence] make_type=<M_Alias> return_type=<M::Alias>
[hh.compare] return_type=<M::Alias> arg_type=<M::Alias> interface_name=<M.I> define_id=<long> altdefid=<M_Alias>
[hh.clone] return_type=<M::Alias2> arg_type=<M::Alias2> interface_name=<M.I> define_id=<long> altdefid=<M_Alias2>
[hh.clone.pointer] return_type=<M::Alias2> arg_type=<M::Alias2> define_id=<long> altdefid=<M_Alias2>
[hh.make.sequence] make_type=<M_Alias2> return_type=<M::Alias2>
[hh.compare] return_type=<M::Alias2> arg_type=<M::Alias2> interface_name=<M.I> define_id=<long> altdefid=<M_Alias2>
[hh.clone] return_type=<Floats> arg_type=<Floats> interface_name=<M.I> define_id=<float> altdefid=<Floats>
[hh.clone.pointer] return_type=<Floats> arg_type=<Floats> define_id=<float> altdefid=<Floats>
[hh.make.sequence] make_type=<Floats> return_type=<Floats>
[hh.compare] return_type=<Floats> arg_type=<Floats> interface_name=<M.I> define_id=<float> altdefid=<Floats>

[hh.module.begin] module_name=<M_i>
[hh.class.begin] class_name=<M_I_i>
[hh.class.members.begin] class_name=<M_I_i>
[hh.class.constructor.begin] return_type=<> function_name=<M_I_i> class_name=<M_I_i>
[hh.class.member.end] class_name=<M_I_i>
[hh.class.end] class_name=<M_I_i>
[hh.module.end] module_name=<M_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
